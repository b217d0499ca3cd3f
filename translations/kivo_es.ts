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
    <name>kivo::calculo</name>
    <message>
        <source>Nenhum registro atual.</source>
        <translation>No hay registro actual.</translation>
    </message>
    <message>
        <source>Item não encontrado nesta coleção: &apos;%1&apos;.</source>
        <translation>Elemento no encontrado en esta colección: &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>kivo::frmResultado</name>
    <message>
        <source>Resultado</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Alternativa</source>
        <translation>Alternativa</translation>
    </message>
    <message>
        <source>Impressora:</source>
        <translation>Impresora:</translation>
    </message>
    <message>
        <source>&amp;Calcular</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>&amp;Imprimir</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Sair</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>S&amp;ensibilidade</source>
        <translation>S&amp;ensibilidad</translation>
    </message>
    <message>
        <source>&amp;Relatório completo</source>
        <translation>Inf&amp;orme completo</translation>
    </message>
    <message>
        <source>Processando: </source>
        <translation>Procesando: </translation>
    </message>
    <message>
        <source>Melhor opção: </source>
        <translation>Mejor opción: </translation>
    </message>
    <message>
        <source>Preparando Tabelas</source>
        <translation>Preparando Tablas</translation>
    </message>
    <message>
        <source>Processando Pesos</source>
        <translation>Procesando Pesos</translation>
    </message>
    <message>
        <source>Critério %1</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>Criterio %1</translation>
    </message>
    <message>
        <source>Peso Não encontrado!</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>¡Peso no encontrado!</translation>
    </message>
    <message>
        <source>Verifique os pesos dos critérios</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>Verifique los pesos de los criterios</translation>
    </message>
    <message>
        <source>Sinal não informado!</source>
        <translation>¡Signo no informado!</translation>
    </message>
    <message>
        <source>Informe o sinal, + ou -, do critério %1 na tela Critérios</source>
        <translation>Informe el signo, + o -, del criterio %1 en la pantalla Criterios</translation>
    </message>
</context>
<context>
    <name>kivo::frmSensibilidade</name>
    <message>
        <source>Sensibilidade</source>
        <translation>Sensibilidad</translation>
    </message>
    <message>
        <source>&amp;Sair</source>
        <translation>&amp;Salir</translation>
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
        <source>Margem</source>
        <translation>Margen</translation>
    </message>
    <message>
        <source>Critério %1</source>
        <translation>Criterio %1</translation>
    </message>
    <message>
        <source>Alternativa %1</source>
        <translation>Alternativa %1</translation>
    </message>
    <message>
        <source>(nenhuma)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Melhor opção: %1</source>
        <translation>Mejor opción: %1</translation>
    </message>
    <message>
        <source>A melhor opção muda se o peso de %1 passar de %2 para %3.</source>
        <translation>La mejor opción cambia si el peso de %1 pasa de %2 a %3.</translation>
    </message>
    <message>
        <source>Com esse peso, a melhor opção passa a ser %1</source>
        <translation>Con ese peso, la mejor opción pasa a ser %1</translation>
    </message>
    <message>
        <source>Com esse peso, nenhuma alternativa fica acima de 0.</source>
        <translation>Con ese peso, ninguna alternativa queda por encima de 0.</translation>
    </message>
    <message>
        <source>A melhor opção não muda com nenhum peso de 1 a 10, um critério por vez.</source>
        <translation>La mejor opción no cambia con ningún peso de 1 a 10, un criterio a la vez.</translation>
    </message>
    <message>
        <source>Nenhuma alternativa tem resultado acima de 0: não há melhor opção.</source>
        <translation>Ninguna alternativa tiene un resultado mayor que 0: no hay mejor opción.</translation>
    </message>
    <message>
        <source>Resultado de cada alternativa conforme o peso de %1</source>
        <translation>Resultado de cada alternativa según el peso de %1</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>atual</source>
        <translation>actual</translation>
    </message>
    <message>
        <source>Peso Não encontrado!</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>¡Peso no encontrado!</translation>
    </message>
    <message>
        <source>Verifique os pesos dos critérios</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>Verifique los pesos de los criterios</translation>
    </message>
</context>
</TS>
