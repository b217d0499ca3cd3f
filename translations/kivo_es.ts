<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="pt_BR">
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
        <translation>Contribución de cada criterio al resultado</translation>
    </message>
    <message>
        <source>custos</source>
        <translation>costos</translation>
    </message>
    <message>
        <source>benefícios</source>
        <translation>beneficios</translation>
    </message>
    <message>
        <source>melhor opção</source>
        <translation>mejor opción</translation>
    </message>
    <message>
        <source>Peso: %1</source>
        <translation>Peso: %1</translation>
    </message>
    <message>
        <source>Peso normalizado: %1</source>
        <translation>Peso normalizado: %1</translation>
    </message>
    <message>
        <source>Contribuição: %1</source>
        <translation>Contribución: %1</translation>
    </message>
    <message>
        <source>custo</source>
        <translation>costo</translation>
    </message>
    <message>
        <source>benefício</source>
        <translation>beneficio</translation>
    </message>
    <message>
        <source>Critério %1</source>
        <translation>Criterio %1</translation>
    </message>
    <message>
        <source>Alternativa %1</source>
        <translation>Alternativa %1</translation>
    </message>
</context>
<context>
    <name>kivo::relatorio</name>
    <message>
        <source>Impressora indisponível!</source>
        <translation>Impressora indisponível!</translation>
    </message>
    <message>
        <source>Não foi possível imprimir o relatório na impressora &quot;%1&quot;.<byte value="xd"/>
Verifique se ela está ligada e instalada, ou escolha outra impressora na lista.</source>
        <translation>Não foi possível imprimir o relatório na impressora &quot;%1&quot;.<byte value="xd"/>
Verifique se ela está ligada e instalada, ou escolha outra impressora na lista.</translation>
    </message>
    <message>
        <source>Gravar o relatório em PDF</source>
        <translation>Gravar o relatório em PDF</translation>
    </message>
    <message>
        <source>Arquivos PDF (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Arquivo não gravado!</source>
        <translation>Arquivo não gravado!</translation>
    </message>
    <message>
        <source>Não foi possível gravar o relatório no arquivo &quot;%1&quot;.<byte value="xd"/>
Escolha outra pasta ou outro nome e tente de novo.</source>
        <translation>Não foi possível gravar o relatório no arquivo &quot;%1&quot;.<byte value="xd"/>
Escolha outra pasta ou outro nome e tente de novo.</translation>
    </message>
    <message>
        <source>Relatório gravado</source>
        <translation>Relatório gravado</translation>
    </message>
    <message>
        <source>O relatório foi gravado no arquivo:<byte value="xd"/>
%1</source>
        <translation>O relatório foi gravado no arquivo:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Apoio à decisão multicritério</source>
        <translation>Apoio à decisão multicritério</translation>
    </message>
    <message>
        <source>Resultado *</source>
        <translation>Resultado *</translation>
    </message>
    <message>
        <source>Case:  %1</source>
        <translation>Case:  %1</translation>
    </message>
    <message>
        <source>Objetivo a alcançar ou Sintoma indesejado: </source>
        <translation>Objetivo a alcançar ou Sintoma indesejado: </translation>
    </message>
    <message>
        <source>Fatores</source>
        <translation>Fatores</translation>
    </message>
    <message>
        <source>Observação</source>
        <translation>Observação</translation>
    </message>
    <message>
        <source>Causa Raíz ou principal FCS</source>
        <translation>Causa Raíz ou principal FCS</translation>
    </message>
    <message>
        <source>KIVO - sessão iniciada em %1</source>
        <translation>KIVO - sessão iniciada em %1</translation>
    </message>
    <message>
        <source>Arquivo PDF…</source>
        <translation>Arquivo PDF…</translation>
    </message>
    <message>
        <source>KIVO - Resultado</source>
        <translation>KIVO - Resultado</translation>
    </message>
</context>
<context>
    <name>kivo::relatoriocompleto</name>
    <message>
        <source>Relatório completo</source>
        <translation>Informe completo</translation>
    </message>
    <message>
        <source>Relatório completo kivo</source>
        <translation>Informe completo kivo</translation>
    </message>
    <message>
        <source>Case:  </source>
        <translation>Caso:  </translation>
    </message>
    <message>
        <source>Objetivo a alcançar ou Sintoma indesejado: </source>
        <translation>Objetivo a alcanzar o síntoma no deseado: </translation>
    </message>
    <message>
        <source>Data: %1</source>
        <translation>Fecha: %1</translation>
    </message>
    <message>
        <source>Melhor opção: %1</source>
        <translation>Mejor opción: %1</translation>
    </message>
    <message>
        <source>(nenhuma)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>%1 (continuação)</source>
        <translation>%1 (continuación)</translation>
    </message>
    <message>
        <source>KIVO - Relatório completo</source>
        <translation>KIVO - Informe completo</translation>
    </message>
    <message>
        <source>Critérios</source>
        <translation>Criterios</translation>
    </message>
    <message>
        <source>Nº</source>
        <translation>Nº</translation>
    </message>
    <message>
        <source>Critério</source>
        <translation>Criterio</translation>
    </message>
    <message>
        <source>Sinal</source>
        <translation>Signo</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Peso normalizado</source>
        <translation>Peso normalizado</translation>
    </message>
    <message>
        <source>+ benefício</source>
        <translation>+ beneficio</translation>
    </message>
    <message>
        <source>- custo</source>
        <translation>- costo</translation>
    </message>
    <message>
        <source>Matriz de comparação</source>
        <translation>Matriz de comparación</translation>
    </message>
    <message>
        <source>Cada célula: quantas vezes o critério da linha é tão importante quanto o da coluna (colunas pelo número do critério).</source>
        <translation>Cada celda: cuántas veces el criterio de la fila es tan importante como el de la columna (columnas por número de criterio).</translation>
    </message>
    <message>
        <source>Matriz de valores</source>
        <translation>Matriz de valores</translation>
    </message>
    <message>
        <source>Valor de cada alternativa sob cada critério (colunas pelo número do critério).</source>
        <translation>Valor de cada alternativa bajo cada criterio (columnas por número de criterio).</translation>
    </message>
    <message>
        <source>Alternativa</source>
        <translation>Alternativa</translation>
    </message>
    <message>
        <source>Classificação</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Posição</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Sensibilidade</source>
        <translation>Sensibilidad</translation>
    </message>
    <message>
        <source>Para cada critério, a faixa de peso (de 1 a 10, os outros pesos mantidos) em que %1 continua a melhor opção, e a opção que passa a ser a melhor fora dela.</source>
        <translation>Para cada criterio, el rango de peso (de 1 a 10, los demás pesos mantenidos) en el que %1 sigue siendo la mejor opción, y la opción que pasa a ser la mejor fuera de él.</translation>
    </message>
    <message>
        <source>Nenhuma alternativa tem resultado acima de 0: não há melhor opção a manter.</source>
        <translation>Ninguna alternativa tiene un resultado mayor que 0: no hay mejor opción que mantener.</translation>
    </message>
    <message>
        <source>Peso mínimo</source>
        <translation>Peso mínimo</translation>
    </message>
    <message>
        <source>Peso máximo</source>
        <translation>Peso máximo</translation>
    </message>
    <message>
        <source>Melhor abaixo</source>
        <translation>Mejor abajo</translation>
    </message>
    <message>
        <source>Melhor acima</source>
        <translation>Mejor arriba</translation>
    </message>
    <message>
        <source>Critério %1</source>
        <translation>Criterio %1</translation>
    </message>
    <message>
        <source>Alternativa %1</source>
        <translation>Alternativa %1</translation>
    </message>
</context>
</TS>
