<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name>common::frmInformacoes</name>
    <message>
        <source>Informações Gerais</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Especificação do Computador: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome do Micro na Rede:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolução do Vídeo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usuário Logado:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versão do Windows:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versão Banco de Dados:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pasta do Software:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idioma: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suporte: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versão  2017</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Os dados ficam no arquivo %1.
É um banco de dados SQLite, que qualquer ferramenta do SQLite abre.
Uma cópia desse arquivo, feita com o programa fechado, é uma cópia de segurança completa.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kivo::ranking</name>
    <message>
        <source>Contribuição de cada critério ao resultado</source>
        <translation>Contribution of each criterion to the result</translation>
    </message>
    <message>
        <source>custos</source>
        <translation>costs</translation>
    </message>
    <message>
        <source>benefícios</source>
        <translation>benefits</translation>
    </message>
    <message>
        <source>melhor opção</source>
        <translation>best option</translation>
    </message>
    <message>
        <source>Peso: %1</source>
        <translation>Weight: %1</translation>
    </message>
    <message>
        <source>Peso normalizado: %1</source>
        <translation>Normalised weight: %1</translation>
    </message>
    <message>
        <source>Contribuição: %1</source>
        <translation>Contribution: %1</translation>
    </message>
    <message>
        <source>custo</source>
        <translation>cost</translation>
    </message>
    <message>
        <source>benefício</source>
        <translation>benefit</translation>
    </message>
    <message>
        <source>Critério %1</source>
        <translation>Criterion %1</translation>
    </message>
    <message>
        <source>Alternativa %1</source>
        <translation>Alternative %1</translation>
    </message>
</context>
<context>
    <name>kivo::relatorio</name>
    <message>
        <source>Impressora indisponível!</source>
        <translation>Printer unavailable!</translation>
    </message>
    <message>
        <source>Não foi possível imprimir o relatório na impressora &quot;%1&quot;.<byte value="xd"/>
Verifique se ela está ligada e instalada, ou escolha outra impressora na lista.</source>
        <translation>The report could not be printed on the printer &quot;%1&quot;.<byte value="xd"/>
Check that it is switched on and installed, or choose another printer in the list.</translation>
    </message>
    <message>
        <source>Gravar o relatório em PDF</source>
        <translation>Save the report as PDF</translation>
    </message>
    <message>
        <source>Arquivos PDF (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Arquivo não gravado!</source>
        <translation>File not saved!</translation>
    </message>
    <message>
        <source>Não foi possível gravar o relatório no arquivo &quot;%1&quot;.<byte value="xd"/>
Escolha outra pasta ou outro nome e tente de novo.</source>
        <translation>The report could not be saved in the file &quot;%1&quot;.<byte value="xd"/>
Choose another folder or another name and try again.</translation>
    </message>
    <message>
        <source>Relatório gravado</source>
        <translation>Report saved</translation>
    </message>
    <message>
        <source>O relatório foi gravado no arquivo:<byte value="xd"/>
%1</source>
        <translation>The report was saved in the file:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Apoio à decisão multicritério</source>
        <translation>Multi-criteria decision aid</translation>
    </message>
    <message>
        <source>Resultado *</source>
        <translation>* Result</translation>
    </message>
    <message>
        <source>Case:  %1</source>
        <translation>Case:  %1</translation>
    </message>
    <message>
        <source>Objetivo a alcançar ou Sintoma indesejado: </source>
        <translation>Goal to achieve or undesired symptom: </translation>
    </message>
    <message>
        <source>Fatores</source>
        <translation>Factors</translation>
    </message>
    <message>
        <source>Observação</source>
        <translation>Observation</translation>
    </message>
    <message>
        <source>Causa Raíz ou principal FCS</source>
        <translation>Root cause or primary FCS</translation>
    </message>
    <message>
        <source>KIVO - sessão iniciada em %1</source>
        <translation>KIVO - session started on %1</translation>
    </message>
    <message>
        <source>Arquivo PDF…</source>
        <translation>PDF file…</translation>
    </message>
    <message>
        <source>KIVO - Resultado</source>
        <translation>KIVO - Results</translation>
    </message>
</context>
<context>
    <name>kivo::relatoriocompleto</name>
    <message>
        <source>Relatório completo</source>
        <translation>Full report</translation>
    </message>
    <message>
        <source>Relatório completo kivo</source>
        <translation>Full report kivo</translation>
    </message>
    <message>
        <source>Case:  </source>
        <translation>Case:  </translation>
    </message>
    <message>
        <source>Objetivo a alcançar ou Sintoma indesejado: </source>
        <translation>Goal to achieve or undesired symptom: </translation>
    </message>
    <message>
        <source>Data: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>Melhor opção: %1</source>
        <translation>Best option: %1</translation>
    </message>
    <message>
        <source>(nenhuma)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>%1 (continuação)</source>
        <translation>%1 (continued)</translation>
    </message>
    <message>
        <source>KIVO - Relatório completo</source>
        <translation>KIVO - Full report</translation>
    </message>
    <message>
        <source>Critérios</source>
        <translation>Criteria</translation>
    </message>
    <message>
        <source>Nº</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Critério</source>
        <translation>Criterion</translation>
    </message>
    <message>
        <source>Sinal</source>
        <translation>Sign</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Peso normalizado</source>
        <translation>Normalised weight</translation>
    </message>
    <message>
        <source>+ benefício</source>
        <translation>+ benefit</translation>
    </message>
    <message>
        <source>- custo</source>
        <translation>- cost</translation>
    </message>
    <message>
        <source>Matriz de comparação</source>
        <translation>Comparison matrix</translation>
    </message>
    <message>
        <source>Cada célula: quantas vezes o critério da linha é tão importante quanto o da coluna (colunas pelo número do critério).</source>
        <translation>Each cell: how many times the row&apos;s criterion is as important as the column&apos;s (columns by criterion number).</translation>
    </message>
    <message>
        <source>Matriz de valores</source>
        <translation>Values matrix</translation>
    </message>
    <message>
        <source>Valor de cada alternativa sob cada critério (colunas pelo número do critério).</source>
        <translation>Value of each alternative under each criterion (columns by criterion number).</translation>
    </message>
    <message>
        <source>Alternativa</source>
        <translation>Alternative</translation>
    </message>
    <message>
        <source>Classificação</source>
        <translation>Ranking</translation>
    </message>
    <message>
        <source>Posição</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Sensibilidade</source>
        <translation>Sensitivity</translation>
    </message>
    <message>
        <source>Para cada critério, a faixa de peso (de 1 a 10, os outros pesos mantidos) em que %1 continua a melhor opção, e a opção que passa a ser a melhor fora dela.</source>
        <translation>For each criterion, the range of its weight (1 to 10, the other weights kept) over which %1 stays the best option, and the option that becomes best beyond it.</translation>
    </message>
    <message>
        <source>Nenhuma alternativa tem resultado acima de 0: não há melhor opção a manter.</source>
        <translation>No alternative has a result above 0: there is no best option to keep.</translation>
    </message>
    <message>
        <source>Peso mínimo</source>
        <translation>Lowest weight</translation>
    </message>
    <message>
        <source>Peso máximo</source>
        <translation>Highest weight</translation>
    </message>
    <message>
        <source>Melhor abaixo</source>
        <translation>Best below</translation>
    </message>
    <message>
        <source>Melhor acima</source>
        <translation>Best above</translation>
    </message>
    <message>
        <source>Critério %1</source>
        <translation>Criterion %1</translation>
    </message>
    <message>
        <source>Alternativa %1</source>
        <translation>Alternative %1</translation>
    </message>
</context>
</TS>
